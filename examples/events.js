// Custom menu items and events: a callback per item, and the control's events as functions.
// Run in ramulo-host's console (or with --script) and right-click a vertex or the background.
var log = [];
ctrl.EditingEnabled = true;
ctrl.DoubleClickEnabled = true;
var hello = ctrl.AddVertexMenuItemFunc('Say Hello', function (id) {
    print('hello from vertex', id, ctrl.VertexPropertyValueByName(id, 'Name', 0));
});
var count = ctrl.AddGraphMenuItem('Count Vertices');
ctrl.GraphMenuCommand.connect(function (cmnd) {
    log.push(cmnd);
    print('GraphMenuCommand', cmnd, '- vertices:', ctrl.VertexCount(0));
});
ctrl.VertexMenuCommand.connect(function (cmnd, id) { print('VertexMenuCommand', cmnd, id); });
ctrl.EdgeMenuCommand.connect(function (cmnd, id) { print('EdgeMenuCommand', cmnd, id); });
print('items', hello, count, 'ready');

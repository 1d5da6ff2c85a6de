// Builds a small organisation chart, styles it, lays it out three ways, saves and exports it.
// Run: ramulo script examples/orgchart.js OUTDIR   (OUTDIR defaults to the current folder)
var dir = args.length > 0 ? args[0] : '.';
function out(name) { return dir + '/' + name; }

// The people: [name, weight (head count below), index of the manager or -1].
var staff = [
    ['CEO', 12, -1],
    ['CTO', 6, 0], ['CFO', 3, 0], ['COO', 2, 0],
    ['Platform', 3, 1], ['Apps', 2, 1], ['Research', 0, 1],
    ['Accounts', 1, 2], ['Payroll', 0, 2],
    ['Facilities', 0, 3],
    ['Kernel', 0, 4], ['Tools', 0, 4], ['Desktop', 0, 5], ['Mobile', 0, 5]
];

// A document of our own: the properties the view, the labels and the layouts need.
ctrl.Init();
['X', 'Y', 'Selected'].forEach(function (name) { ctrl.AddVertexPropertyByName(name, 2); });
ctrl.AddEdgePropertyByName('Selected', 2);
ctrl.AddVertexPropertyByName('Name', 0);
ctrl.AddVertexPropertyByName('Weight', 0);
['_V1', '_I1', '_I2', '_R1', '_R2'].forEach(function (name) {
    ctrl.AddVertexPropertyByName(name, 1);
});
ctrl.NewTree();
// Everyone a grey square, name below and head count above (defaults apply to new vertices).
ctrl.SetDefaultVertexAppearance_SquareDot(8, true, 4, 4, 4, 0);  // name below, weight above
ctrl.SetDefaultEdgeAppearance(4);
var ids = [];
staff.forEach(function (person, i) {
    var v = ctrl.AddVertex();
    ctrl.SetVertexPropertyValueByName(v, 'Name', 0, person[0]);
    ctrl.SetVertexPropertyValueByName(v, 'Weight', 0, person[1]);
    ids.push(v);
    if (person[2] >= 0) ctrl.AddEdge(ids[person[2]], v);
});
print('people:', ctrl.VertexCount(0), 'reporting lines:', ctrl.EdgeCount(0));

// Special ones: the CEO a red diamond, the managers larger and blue, the CEO's line red.
ctrl.SetVertexAppearance_DiamondDot(ids[0], 14, true, 1, 1, 2, 6);
[1, 2, 3].forEach(function (i) { ctrl.SetVertexAppearance(ids[i], 11, true, 0, 0, 2, 6); });
ctrl.SetEdgeAppearance(ctrl.EdgeID(0, 0), 1);

// Three layouts, each saved as a picture.
ctrl.SetHierarchicalLayoutParams(70, 75, 90);
ctrl.HierarchicalLayout();
ctrl.Update();
host.Export(out('orgchart-hierarchical.png'));
ctrl.SetRadialLayoutParams(90, 0.5);
ctrl.RadialLayout();
ctrl.Update();
host.Export(out('orgchart-radial.png'));
ctrl.SetForceDirectedLayoutParams(60, 200);
ctrl.ForceDirectedLayout();
ctrl.Update();
host.Export(out('orgchart-force.svg'));

// Back to the chart, turned on its side, saved in both formats and printed.
ctrl.HierarchicalLayout();
ctrl.RotateLeft90();
ctrl.Update();
ctrl.SaveToXml(out('orgchart.nxx'));
ctrl.Save(out('orgchart.nx'));
host.Export(out('orgchart.pdf'));
print('saved', out('orgchart.nxx'), 'and', out('orgchart.nx'));

// A failing call is an ordinary script error with the control's code.
try {
    ctrl.RemoveVertex(9999);
} catch (e) {
    print('expected failure: 0x' + e.code.toString(16), e.description);
}

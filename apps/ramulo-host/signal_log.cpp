// SignalLog: one dynamic slot per signal, dispatched through qt_metacall.
#include "signal_log.h"

SignalLog::SignalLog(QObject* sender, Listener listener, const QMetaObject* stopAt)
    : QObject(sender), listener_(std::move(listener)) {
    const QMetaObject* meta = sender->metaObject();
    const int first = stopAt ? stopAt->methodCount() : QObject::staticMetaObject.methodCount();
    const int slotBase = QObject::staticMetaObject.methodCount();
    for (int i = first; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Signal) continue;
        const int slot = slotBase + static_cast<int>(signals_.size());
        if (QMetaObject::connect(sender, i, this, slot, Qt::DirectConnection))
            signals_.push_back(method);
    }
}

int SignalLog::qt_metacall(QMetaObject::Call call, int id, void** argv) {
    id = QObject::qt_metacall(call, id, argv);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod) return id;
    if (id < static_cast<int>(signals_.size())) {
        const QMetaMethod& signal = signals_[static_cast<std::size_t>(id)];
        QVariantList args;
        for (int p = 0; p < signal.parameterCount(); ++p)
            args.push_back(QVariant(signal.parameterMetaType(p), argv[p + 1]));
        if (listener_) listener_(signal, args);
    }
    return -1;
}

QString SignalLog::describe(const QMetaMethod& signal, const QVariantList& args) {
    QStringList parts;
    const QList<QByteArray> names = signal.parameterNames();
    for (int p = 0; p < args.size(); ++p) {
        const QString name = p < names.size() ? QString::fromLatin1(names[p]) : QString();
        const QString value = args[p].toString();
        parts.push_back(name.isEmpty() ? value : name + QLatin1Char('=') + value);
    }
    return QString::fromLatin1(signal.name()) + QLatin1Char('(') + parts.join(QStringLiteral(", ")) +
           QLatin1Char(')');
}

// SignalLog: hears every signal an object declares and reports it with its arguments.
#pragma once

#include <QMetaMethod>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <functional>
#include <vector>

class SignalLog : public QObject {
public:
    using Listener = std::function<void(const QMetaMethod& signal, const QVariantList& args)>;

    // Connects to every signal the sender's class declares below `stopAt` (by default every
    // signal but QObject's own).
    SignalLog(QObject* sender, Listener listener, const QMetaObject* stopAt = nullptr);

    // "Name(param=value, ...)".
    static QString describe(const QMetaMethod& signal, const QVariantList& args);

    int qt_metacall(QMetaObject::Call call, int id, void** argv) override;

private:
    std::vector<QMetaMethod> signals_;
    Listener listener_;
};

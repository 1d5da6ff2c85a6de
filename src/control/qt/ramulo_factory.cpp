// createByProgID: the two registered classes and their creators.
#include "control/qt/ramulo_factory.h"

#include "control/qt/ramulo_ctrl.h"
#include "control/qt/ramulo_module.h"
#include "control/qt/ramulo_prop_page.h"

namespace ramulo {

namespace {

const RegisteredClass* find(const QString& progId) {
    for (const RegisteredClass& c : registeredClasses())
        if (c.progId.compare(progId, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

}  // namespace

const std::vector<RegisteredClass>& registeredClasses() {
    static const std::vector<RegisteredClass> classes{
        {QStringLiteral("Nodalyx.RamuloCtrl.1"), QStringLiteral("Ramulo Control")},
        {QStringLiteral("Nodalyx.RamuloPropPage.1"), QStringLiteral("Ramulo Property Page")},
    };
    return classes;
}

QWidget* createByProgID(const QString& progId, QWidget* parent) {
    const RegisteredClass* c = find(progId);
    if (!c) return nullptr;
    ensureModuleStarted();
    if (c == &registeredClasses()[0]) return new CRamuloCtrl(parent);
    // A page made on its own is bound to its control later (setObject).
    return new CRamuloPropPage(nullptr, parent);
}

QString typeNameOf(const QString& progId) {
    const RegisteredClass* c = find(progId);
    return c ? c->typeName : QString();
}

}  // namespace ramulo

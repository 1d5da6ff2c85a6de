// The class factory: the control and its property page created by their ProgIDs.
#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace ramulo {

struct RegisteredClass {
    QString progId;    // "Nodalyx.RamuloCtrl.1"
    QString typeName;  // "Ramulo Control"
};

// The classes this module makes, the control first.
const std::vector<RegisteredClass>& registeredClasses();

// A new object of the class the ProgID names (case-insensitive, as the registry compares
// them), parented to parent; null for a ProgID of no class here. The module is started first.
QWidget* createByProgID(const QString& progId, QWidget* parent = nullptr);

// The type name registered for a ProgID; empty when unknown.
QString typeNameOf(const QString& progId);

}  // namespace ramulo

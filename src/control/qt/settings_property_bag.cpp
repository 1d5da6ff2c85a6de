// SettingsPropertyBag: UTF-8 texts stored as QSettings strings.
#include "control/qt/settings_property_bag.h"

#include <QSettings>

namespace ramulo {

SettingsPropertyBag::SettingsPropertyBag(QSettings& settings, QString group)
    : settings_(settings), group_(std::move(group)) {}

QString SettingsPropertyBag::keyOf(const std::string& key) const {
    const QString name = QString::fromStdString(key);
    return group_.isEmpty() ? name : group_ + QLatin1Char('/') + name;
}

std::optional<std::string> SettingsPropertyBag::read(const std::string& key) const {
    const QVariant value = settings_.value(keyOf(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void SettingsPropertyBag::write(const std::string& key, const std::string& value) {
    settings_.setValue(keyOf(key), QString::fromStdString(value));
}

}  // namespace ramulo

// SettingsPropertyBag: the control's persisted state kept in a QSettings group.
#pragma once

#include <QString>

#include "control/property_bag.h"

class QSettings;

namespace ramulo {

class SettingsPropertyBag : public PropertyBag {
public:
    // Keys live under `group` ("" for the top level); the settings object is not owned.
    explicit SettingsPropertyBag(QSettings& settings, QString group = {});

    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;

private:
    QString keyOf(const std::string& key) const;

    QSettings& settings_;
    QString group_;
};

}  // namespace ramulo

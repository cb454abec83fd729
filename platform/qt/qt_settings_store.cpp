#include "platform/qt/qt_settings_store.h"

#include <QSettings>

namespace {
QString KeyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}
}  // namespace

std::string QtSettingsStore::GetSetting(const std::string& section, const std::string& key,
                                        const std::string& fallback) {
    QSettings s("Quorvane", "Quorvane");
    return s.value(KeyOf(section, key), QString::fromStdString(fallback)).toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string& section, const std::string& key,
                                  const std::string& value) {
    QSettings s("Quorvane", "Quorvane");
    s.setValue(KeyOf(section, key), QString::fromStdString(value));
}

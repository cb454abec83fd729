#pragma once
// The machine-wide settings on QSettings, under the application "Quorvane".
#include "platform/settings_store.h"

class QtSettingsStore : public SettingsStore {
  public:
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override;
};

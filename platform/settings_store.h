#pragma once
// The few machine-wide settings kept outside the players' profiles, by section and key under the
// application "Quorvane" (the Qt shell keeps them with QSettings).
#include <map>
#include <string>

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::string GetSetting(const std::string& section, const std::string& key,
                                   const std::string& fallback) = 0;
    virtual void SaveSetting(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

class MemorySettings : public SettingsStore {
  public:
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& fallback) override {
        auto it = values_.find(section + "/" + key);
        return it == values_.end() ? fallback : it->second;
    }
    void SaveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override {
        values_[section + "/" + key] = value;
    }

  private:
    std::map<std::string, std::string> values_;
};

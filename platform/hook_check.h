#pragma once
// The hooks a part is handed when the program is put together (std::function members that reach
// another part). A path whose hook was never set would do nothing without a word, so each part
// names the hooks it needs, and the composition gathers the unset ones and refuses to start
// while there are any.
#include <string>
#include <utility>
#include <vector>

class HookCheck {
  public:
    // The holder of the hooks named next ("MenuHooks").
    HookCheck& In(std::string part) {
        part_ = std::move(part);
        return *this;
    }
    template <class Hook>
    HookCheck& Need(const char* name, const Hook& hook) {
        if (!hook) unset_.push_back(part_ + "." + name);
        return *this;
    }
    // "MenuHooks.sendRecover" for each hook needed and not set, in the order they were named.
    const std::vector<std::string>& Unset() const { return unset_; }

  private:
    std::string part_;
    std::vector<std::string> unset_;
};

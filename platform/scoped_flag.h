#pragma once
// Raises a flag for as long as a scope runs and lowers it however the scope is left: the marks
// that keep a click or a network line, handled during one of a procedure's pauses, from starting
// the same procedure again inside it.
template <class Flag>
class ScopedFlag {
  public:
    ScopedFlag(Flag& flag, Flag raised, Flag lowered) : flag_(flag), lowered_(lowered) {
        flag_ = raised;
    }
    ~ScopedFlag() { flag_ = lowered_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    Flag& flag_;
    Flag lowered_;
};

inline ScopedFlag<bool> RaiseWhile(bool& flag) {
    return {flag, true, false};
}

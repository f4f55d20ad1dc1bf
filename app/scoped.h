// One move-only owner for every kind of handle; a small traits struct per kind
// says what "none" is and how to close it, so closing happens exactly once.
#pragma once

template <class Traits>
class Scoped {
 public:
  using Handle = typename Traits::Handle;

  explicit Scoped(Handle h = Traits::Null()) : h_(h) {}
  Scoped(Scoped&& other) noexcept : h_(other.Release()) {}
  Scoped& operator=(Scoped&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  ~Scoped() { Reset(); }

  Handle Get() const { return h_; }
  Handle* Put() {
    Reset();
    return &h_;
  }
  Handle Release() {
    Handle h = h_;
    h_ = Traits::Null();
    return h;
  }
  void Reset(Handle h = Traits::Null()) {
    if (Traits::Valid(h_)) Traits::Close(h_);
    h_ = h;
  }
  bool Valid() const { return Traits::Valid(h_); }

 private:
  Handle h_;
};

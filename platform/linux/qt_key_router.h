// Hands every key of the program's forms to the form's rules before Qt's focus chain and the
// focused widget see it. A key the rules pass on reaches the focused widget as usual.
#pragma once

#include <QObject>

namespace platform::linux_impl {

class QtWindowSystem;

class KeyRouter : public QObject {
 public:
  explicit KeyRouter(QtWindowSystem& system);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QtWindowSystem& system_;
};

}  // namespace platform::linux_impl

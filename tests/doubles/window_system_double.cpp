// The focus rules of the in-memory window system.
#include "tests/doubles/window_system_double.h"

#include <algorithm>

namespace doubles {

ButtonDouble::~ButtonDouble() {
  auto& list = form_.buttons;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  // Destroying the focused button leaves the form without a focused control.
  if (form_.focused == this) form_.focused = nullptr;
}

void ButtonDouble::SetFocus() {
  if (form_.focused == this) return;
  form_.focused = this;
  if (spec.on_enter) spec.on_enter(*this);
}

void FormDouble::DrawRectangle(const platform::Rect& r, platform::Color pen, int width) {
  const char* colour = pen == platform::kBlue ? "blue" : pen == platform::kYellow ? "yellow" : "other";
  log_.Add("draw " + std::string(colour) + " " + std::to_string(width) + " " +
           std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom));
}

int FormDouble::ShowModal() {
  log_.Add("modal " + spec.caption);
  modal_result = 0;
  visible = true;
  if (while_modal) while_modal(*this);
  visible = false;
  return modal_result;
}

void FormDouble::MoveFocus(int step) {
  if (focused == nullptr || buttons.empty()) return;
  const auto at = std::find(buttons.begin(), buttons.end(), focused) - buttons.begin();
  const auto count = static_cast<long>(buttons.size());
  buttons[((at + step) % count + count) % count]->SetFocus();
}

void FormDouble::PressDown() { MoveFocus(1); }
void FormDouble::PressUp() { MoveFocus(-1); }

void FormDouble::Activate() {
  if (focused == nullptr && !buttons.empty()) buttons.front()->SetFocus();
}

}  // namespace doubles

// Controls without a window (the staff picture, the bevels): the form paints them.
#pragma once

#include <windows.h>

#include "platform/window_system.h"

namespace platform::win32 {

class Win32Form;

class GraphicItem : public Graphic {
 public:
  ~GraphicItem() override;
  GraphicItem(const GraphicItem&) = delete;
  GraphicItem& operator=(const GraphicItem&) = delete;

  void Move(int left, int top) override;
  Bounds GetBounds() const { return bounds_; }
  virtual void Paint(HDC dc) const = 0;
  // The form is being destroyed.
  void Detach() { form_ = nullptr; }

 protected:
  GraphicItem(Win32Form& form, const Bounds& bounds);
  Bounds bounds_;

 private:
  Win32Form* form_;
};

class Win32Bevel : public GraphicItem {
 public:
  Win32Bevel(Win32Form& form, const BevelSpec& spec);
  void Paint(HDC dc) const override;

 private:
  BevelShape shape_;
};

class Win32Picture : public GraphicItem {
 public:
  Win32Picture(Win32Form& form, const PictureSpec& spec);
  void Paint(HDC dc) const override;

 private:
  const VectorPicture* picture_;
};

}  // namespace platform::win32

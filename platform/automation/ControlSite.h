// What passes between a control and the host it sits in: the host's site (its UI thread, its
// layout, its dialogs, its ambient properties), the drawing context it hands the control, and
// the control interface the host drives.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>

#include "platform/automation/Resources.h"
#include "platform/automation/Unknown.h"

namespace automation {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

// Where a control paints: the host translates these into its own drawing.
class DrawContext {
public:
    virtual ~DrawContext() = default;
    virtual void Fill(const Rect& rect, Color color) = 0;
    virtual void DrawBitmap(const Rect& rect, const BitmapResource& bitmap) = 0;
};

// Implemented by the host for each control it holds.
class ControlSite {
public:
    virtual ~ControlSite() = default;
    // Runs `work` on the host's UI thread, through its event loop. Callable from any thread.
    virtual void Post(std::function<void()> work) = 0;
    // The control asks to be resized; false when the host refuses.
    virtual bool RequestResize(int width, int height) = 0;
    // Shows the dialog modally and returns the id of the button that closed it.
    virtual std::uint32_t ShowModalDialog(const DialogResource& dialog) = 0;
    // The ambient "user mode": true when the host runs (rather than designs) its form.
    virtual bool UserMode() const = 0;
};

// Saved properties of a control: names and text values.
using PropertyBag = std::map<std::string, std::string>;

class IControl : public IUnknown {
public:
    static constexpr Guid kIid = MakeGuid("{7E3F5C21-9B4A-4D2E-A1C8-3F0B6D9E2A54}");

    // Puts the control on a site (its window is created) or, with null, takes it off (its
    // window goes, so no more notifications arrive).
    virtual HResult SetSite(ControlSite* site) = 0;
    virtual HResult Draw(DrawContext& context, const Rect& bounds) = 0;
    virtual HResult GetExtent(Size* size) = 0;
    virtual HResult SetExtent(const Size& size) = 0;
    // The class ids of the control's property pages, in display order.
    virtual HResult GetPropertyPages(std::span<const Guid>* pages) = 0;
    virtual HResult SaveProperties(PropertyBag& bag) = 0;
    virtual HResult LoadProperties(const PropertyBag& bag) = 0;

protected:
    ~IControl() = default;
};

}  // namespace automation

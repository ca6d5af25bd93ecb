#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "frontend/desktop/BodyPainter.h"
#include "frontend/desktop/DesktopInput.h"
#include "frontend/desktop/DesktopLayout.h"
#include "frontend/desktop/HostControl.h"
#include "frontend/desktop/PanelPainter.h"
#include "frontend/web/Page.h"
#include "frontend/web/PageInbox.h"

namespace emu::web {

// The web page's front-end at work, on a thread of its own: it turns the page's input
// into device input, listens to the device, and sends the page only what changed: the
// canvas's changed parts, the panel's values, the new lines of the event log. Between
// messages it sleeps.
class WebFrontEnd {
public:
    WebFrontEnd(DeviceHost& host, Page& page, PageInbox& inbox, int zoom);
    ~WebFrontEnd();
    WebFrontEnd(const WebFrontEnd&) = delete;
    WebFrontEnd& operator=(const WebFrontEnd&) = delete;

    // Handles the page's messages until it asks the device to end; true when it asked
    // for a reset rather than an orderly end.
    bool run();

private:
    // The device's body drawn at one zoom, the canvas's picture, and the input on it.
    struct View {
        View(int zoom, desktop::DeviceControl& control, desktop::TextPainter& text)
            : layout(zoom), pixmap({layout.body.body().width, layout.body.body().height}), painter(layout.body, text),
              input(layout, control) {}

        desktop::DesktopLayout layout;
        desktop::Pixmap pixmap;
        desktop::BodyPainter painter;
        desktop::DesktopInput input;
    };

    // Handles one message; the request to end when it is one.
    std::optional<bool> handle(const PageMessage& message);
    void set_zoom(int zoom);
    void refresh(bool device_may_have_changed);
    void refresh_screen();
    void refresh_body();
    void refresh_status();
    void refresh_log();

    DeviceHost& host_;
    Page& page_;
    PageInbox& inbox_;
    desktop::HostControl control_{host_};
    desktop::TextPainter text_;
    std::unique_ptr<View> view_;
    desktop::Point pointer_;
    int log_listener_ = -1;
    std::uint64_t inputs_handled_ = 0;

    std::vector<desktop::Colour> shown_screen_;
    std::optional<desktop::DeviceButton> shown_button_;
    std::optional<desktop::PanelValues> shown_values_;
    std::size_t shown_events_ = 0;
    std::vector<desktop::Rect> changed_;
};

}  // namespace emu::web

// Windows in the page: each a canvas under a caption bar, made by the page's script.
#include "canvas_window.h"

#include "../../win32/window_backend.h"
#include "../../win32/window_table.h"
#include "page_host.h"

#include <string>

namespace {

class CanvasWindow : public WindowBackend {
  public:
    CanvasWindow(int number, int width, int height)
        : number_(number), width_(width), height_(height) {}
    uint32_t Id() const override { return static_cast<uint32_t>(number_); }
    bool Visible() const override { return port_web_window_visible(number_) != 0; }
    void Show(int) override { port_web_show_window(number_, 1); }
    void Hide() override { port_web_show_window(number_, 0); }
    void ClientSize(int* width, int* height) const override {
        *width = width_;
        *height = height_;
    }

  private:
    int number_;
    int width_;
    int height_;
};

} // namespace

std::unique_ptr<WindowBackend> CreateWindowBackend(const std::string& title, int, int, int width,
                                                   int height) {
    return std::make_unique<CanvasWindow>(port_web_create_window(title.c_str(), width, height),
                                          width, height);
}

std::string CanvasSelectorOf(HWND window) {
    const uint32_t number = BackendIdOf(window);
    return number == 0 ? std::string() : "#window-" + std::to_string(number) + "-canvas";
}

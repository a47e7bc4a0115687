// Window instances: loading them from definitions, the quit rule, the event loop and reading settings.
#include <algorithm>

#include "runtime/core.h"

namespace rt {
namespace {
std::vector<std::unique_ptr<WindowInstance>> g_windows;
bool g_loopRunning = false;
}  // namespace

ControlInstance* WindowInstance::Control(ControlId id) {
    for (ControlInstance& c : controls)
        if (c.def->id == id) return &c;
    return nullptr;
}

std::unique_ptr<WindowInstance> MakeWindowInstance(const WindowDefinition& def) {
    auto w = std::make_unique<WindowInstance>();
    w->def = &def;
    w->settings = MakeSettings(Kind::Window, def.left, def.top, def.width, def.height, def.visible, def.settings);
    w->controls.reserve(def.controls.size());
    for (const ControlDefinition& c : def.controls) {
        ControlInstance ci;
        ci.def = &c;
        ci.settings = MakeSettings(c.kind, c.left, c.top, c.width, c.height, c.visible, c.settings);
        w->controls.push_back(std::move(ci));
    }
    return w;
}

WindowInstance* FindWindowInstance(WindowId id) {
    for (auto& w : g_windows)
        if (w->def->id == id) return w.get();
    return nullptr;
}

WindowInstance& AddWindowInstance(std::unique_ptr<WindowInstance> instance) {
    g_windows.push_back(std::move(instance));
    return *g_windows.back();
}

bool RemoveWindowInstance(WindowId id) {
    auto it = std::find_if(g_windows.begin(), g_windows.end(), [id](auto& w) { return w->def->id == id; });
    if (it == g_windows.end()) return false;
    g_windows.erase(it);
    return g_windows.empty() && g_loopRunning;
}

std::size_t WindowInstanceCount() { return g_windows.size(); }
void SetLoopRunning() { g_loopRunning = true; }
bool LoopRunning() { return g_loopRunning; }

void LoadWindow(WindowId id) {
    const WindowDefinition* def = FindDefinition(id);
    if (!def) FatalError("载入启动窗口失败");
    WindowInstance& w = AddWindowInstance(MakeWindowInstance(*def));
    if (!platform::BuildWindow(w)) {
        RemoveWindowInstance(id);
        FatalError("载入启动窗口失败");
    }
}

void RunEventLoop() {
    SetLoopRunning();
    if (WindowInstanceCount() == 0) return;
    platform::RunLoop();
}

Value ReadProperty(WindowId window, ControlId control, std::int32_t property) {
    WindowInstance* w = FindWindowInstance(window);
    if (!w) return {};
    ControlInstance* c = nullptr;
    Kind kind = Kind::Window;
    const std::vector<Setting>* settings = &w->settings;
    if (control != 0) {
        c = w->Control(control);
        if (!c) return {};
        kind = c->def->kind;
        settings = &c->settings;
    }
    const auto& schema = SchemaOf(kind);
    if (property < 0 || static_cast<std::size_t>(property) >= schema.size()) return {};
    const SettingInfo& entry = schema[static_cast<std::size_t>(property)];

    Setting live;
    const Setting& s = platform::ReadLive(*w, c, property, live) ? live : (*settings)[static_cast<std::size_t>(property)];
    Value v;
    switch (entry.type) {
        case SettingType::Text: return MakeText(s.text);
        case SettingType::Bytes: return MakeBytes(s.text);
        case SettingType::Logical: v.kind = ValueKind::Logical; v.integer = s.integer ? 1 : 0; return v;
        case SettingType::Integer:
        case SettingType::Colour: v.kind = ValueKind::Integer; v.integer = s.integer; return v;
    }
    return v;
}

}  // namespace rt

// Presses keys through KWin's fake-input protocol, as a remote-input tool
// does: each line read is a chord of Linux key codes joined by '+', pressed
// in order and released in reverse, and answered with "done" once KWin has
// taken it. One device for the whole session, as a keyboard stays plugged
// in: a device that comes and goes with each key changes the seat under the
// program as it handles the key.
//   echo 29+16 | kwin-keys   (Ctrl+Q)

#include "fake-input-client-protocol.h"

#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Binds the fake input, into the pointer the listener was given.
void announced(void *fakeInput, wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        *static_cast<org_kde_kwin_fake_input **>(fakeInput) =
            static_cast<org_kde_kwin_fake_input *>(wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
}

void withdrawn(void *, wl_registry *, uint32_t) {}

const wl_registry_listener listener{announced, withdrawn};

} // namespace

int main()
{
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "kwin-keys: no Wayland display\n");
        return EXIT_FAILURE;
    }
    wl_registry *registry = wl_display_get_registry(display);
    org_kde_kwin_fake_input *fakeInput = nullptr;
    wl_registry_add_listener(registry, &listener, &fakeInput);
    wl_display_roundtrip(display);
    if (!fakeInput) {
        std::fprintf(stderr, "kwin-keys: the compositor offers no fake input of version 4\n");
        return EXIT_FAILURE;
    }
    org_kde_kwin_fake_input_authenticate(fakeInput, "eye-trainer tests", "keys for the end-to-end tests");
    for (std::string line; std::getline(std::cin, line);) {
        std::vector<uint32_t> codes;
        std::istringstream chord(line);
        for (std::string code; std::getline(chord, code, '+');)
            codes.push_back(uint32_t(std::stoul(code)));
        for (uint32_t code : codes)
            org_kde_kwin_fake_input_keyboard_key(fakeInput, code, WL_KEYBOARD_KEY_STATE_PRESSED);
        for (auto code = codes.rbegin(); code != codes.rend(); ++code)
            org_kde_kwin_fake_input_keyboard_key(fakeInput, *code, WL_KEYBOARD_KEY_STATE_RELEASED);
        if (wl_display_roundtrip(display) < 0)
            return EXIT_FAILURE;
        std::cout << "done" << std::endl;
    }
    org_kde_kwin_fake_input_destroy(fakeInput);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return EXIT_SUCCESS;
}

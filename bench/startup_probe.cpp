// Start-up benchmark: starts a virtual X display, then launches the calculator
// and the bare Qt window in turn and measures, for each launch,
//   map   the time from exec to the first MapNotify of its top-level window,
//   key   the time until a key typed into it shows (its pixels change where
//         the key's text appears),
//   rss   its resident memory once it shows the key,
// and, in a second launch that types nothing, its resident memory once
// settled: 300 ms after the map. Prints the medians and the ratio of ours to
// the bare window's. Not a test.
//
//   startup_probe [--runs N] [--warmup N] <calculator>... <bare-window>
//
// Several calculators may be given, to compare builds in one run; ratios are
// of the first to the bare window.

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Region {
    int x, y, width, height;
};

struct Sample {
    double mapMs = 0;
    double keyMs = 0;
    long keyRssKiB = 0;
    long settledRssKiB = 0;
};

// How long after its map a window counts as settled: drawn, and done with
// what start-up does at once.
constexpr std::chrono::milliseconds kSettleTime{300};

enum class Launch {
    TypeAtOnce, // types a key as soon as the window is drawn: times and memory
    Settle,     // types nothing: memory once settled
};

// Starts Xvfb on a free display number and returns it.
pid_t startXvfb(std::string& display) {
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        std::perror("Xvfb");
        _exit(127);
    }
    close(fds[1]);
    char buffer[32] = {};
    std::size_t used = 0;
    while (used < sizeof buffer - 1) {
        const ssize_t got = read(fds[0], buffer + used, sizeof buffer - 1 - used);
        if (got <= 0)
            break;
        used += static_cast<std::size_t>(got);
        if (std::strchr(buffer, '\n'))
            break;
    }
    close(fds[0]);
    if (used == 0)
        throw std::runtime_error("Xvfb did not start (is it installed?)");
    display = ":" + std::string(buffer, std::strcspn(buffer, "\n"));
    return pid;
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

class Probe {
public:
    Probe() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            throw std::runtime_error("cannot connect to the virtual display");
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, screen_->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        keycodeOne_ = keycodeFor(0x31); // XK_1
    }
    ~Probe() { xcb_disconnect(connection_); }

    // Fills in what the launch measures and leaves the rest of the sample.
    void measure(const char* program, Region watched, Launch launch, Sample& sample) {
        drainEvents();
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(program, program, static_cast<char*>(nullptr));
            std::perror(program);
            _exit(127);
        }
        try {
            const xcb_window_t window = waitForMap(start);
            if (launch == Launch::Settle) {
                std::this_thread::sleep_for(kSettleTime);
                sample.settledRssKiB = residentKiB(pid);
                stop(pid);
                return;
            }
            sample.mapMs = millisecondsSince(start);

            // Painted: the window is no longer one flat colour.
            std::vector<std::uint8_t> before;
            waitFor(start, [&] {
                before = grab(window, watched);
                return !before.empty() &&
                       !std::all_of(before.begin(), before.end(),
                                    [&](std::uint8_t b) { return b == before.front(); });
            });
            typeKey(window);
            waitFor(start, [&] { return grab(window, watched) != before; });
            sample.keyMs = millisecondsSince(start);
            sample.keyRssKiB = residentKiB(pid);
        } catch (...) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            throw;
        }
        stop(pid);
    }

private:
    static void stop(pid_t pid) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }

    template <typename Condition> void waitFor(Clock::time_point start, Condition done) {
        while (!done()) {
            if (millisecondsSince(start) > 20000)
                throw std::runtime_error("timed out");
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }

    void drainEvents() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    xcb_window_t waitForMap(Clock::time_point start) {
        for (;;) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (!event) {
                if (millisecondsSince(start) > 20000)
                    throw std::runtime_error("no window was mapped");
                std::this_thread::sleep_for(std::chrono::microseconds(100));
                continue;
            }
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            std::free(event);
            if (mapped)
                return window;
        }
    }

    std::vector<std::uint8_t> grab(xcb_window_t window, Region region) {
        const auto cookie = xcb_get_image(
            connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<std::int16_t>(region.x),
            static_cast<std::int16_t>(region.y), static_cast<std::uint16_t>(region.width),
            static_cast<std::uint16_t>(region.height), ~0u);
        xcb_get_image_reply_t* reply = xcb_get_image_reply(connection_, cookie, nullptr);
        if (!reply)
            return {};
        const std::uint8_t* data = xcb_get_image_data(reply);
        std::vector<std::uint8_t> pixels(data, data + xcb_get_image_data_length(reply));
        std::free(reply);
        return pixels;
    }

    void typeKey(xcb_window_t window) {
        // With no window manager the focus follows the pointer: put it on the
        // window, give it the focus, and type "1".
        const auto where = xcb_translate_coordinates_reply(
            connection_, xcb_translate_coordinates(connection_, window, screen_->root, 150, 150),
            nullptr);
        if (where) {
            xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen_->root,
                                where->dst_x, where->dst_y, 0);
            std::free(where);
        }
        xcb_test_fake_input(connection_, XCB_KEY_PRESS, keycodeOne_, XCB_CURRENT_TIME, XCB_NONE, 0,
                            0, 0);
        xcb_test_fake_input(connection_, XCB_KEY_RELEASE, keycodeOne_, XCB_CURRENT_TIME, XCB_NONE,
                            0, 0, 0);
        xcb_flush(connection_);
    }

    xcb_keycode_t keycodeFor(xcb_keysym_t keysym) {
        const xcb_setup_t* setup = xcb_get_setup(connection_);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
            connection_,
            xcb_get_keyboard_mapping(connection_, setup->min_keycode,
                                     static_cast<std::uint8_t>(count)),
            nullptr);
        if (!mapping)
            throw std::runtime_error("no keyboard mapping");
        const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
        xcb_keycode_t found = 0;
        for (int i = 0; i < count * mapping->keysyms_per_keycode && !found; ++i) {
            if (keysyms[i] == keysym)
                found = static_cast<xcb_keycode_t>(setup->min_keycode +
                                                   i / mapping->keysyms_per_keycode);
        }
        std::free(mapping);
        if (!found)
            throw std::runtime_error("no keycode types 1");
        return found;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
    xcb_keycode_t keycodeOne_ = 0;
};

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 15;
    int warmUp = 3;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--warmup") == 0 && i + 1 < argc)
            warmUp = std::atoi(argv[++i]);
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() < 2 || runs < 1) {
        std::fprintf(stderr,
                     "usage: startup_probe [--runs N] [--warmup N] <calculator>... <bare>\n");
        return 2;
    }

    std::string display;
    const pid_t xvfb = startXvfb(display);
    setenv("DISPLAY", display.c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("WAYLAND_DISPLAY");
    int status = 0;
    try {
        Probe probe;
        const std::size_t bare = programs.size() - 1;
        // Where each program shows a typed key: the calculator's first box;
        // the bare window's label.
        const auto watched = [&](std::size_t which) {
            return which == bare ? Region{16, 16, 270, 40} : Region{112, 32, 81, 33};
        };
        std::vector<std::vector<Sample>> samples(programs.size());
        for (int run = 0; run < warmUp + runs; ++run) {
            for (std::size_t which = 0; which < programs.size(); ++which) {
                Sample sample;
                probe.measure(programs[which], watched(which), Launch::TypeAtOnce, sample);
                probe.measure(programs[which], watched(which), Launch::Settle, sample);
                if (run >= warmUp)
                    samples[which].push_back(sample);
            }
        }
        std::vector<Sample> medians;
        for (const auto& each : samples) {
            std::vector<double> map, key;
            std::vector<long> keyRss, settledRss;
            for (const Sample& s : each) {
                map.push_back(s.mapMs);
                key.push_back(s.keyMs);
                keyRss.push_back(s.keyRssKiB);
                settledRss.push_back(s.settledRssKiB);
            }
            medians.push_back(Sample{median(map), median(key), median(keyRss), median(settledRss)});
        }
        std::printf("startup benchmark: %d runs each after %d warm-up runs, alternating, Xvfb %s\n",
                    runs, warmUp, display.c_str());
        for (std::size_t which = 0; which < programs.size(); ++which)
            std::printf("  [%zu] %s\n", which, programs[which]);
        std::printf("%-24s", "median");
        for (std::size_t which = 0; which < programs.size(); ++which) {
            char column[32];
            std::snprintf(column, sizeof column, "[%zu]", which);
            std::printf(" %10s", column);
        }
        std::printf("   ratio [0]/[%zu]\n", bare);
        const auto row = [&](const char* name, auto value, bool difference) {
            std::printf("%-24s", name);
            // Memory to the hundredth of a MiB, since its goal is a difference.
            const int decimals = difference ? 2 : 1;
            for (const Sample& m : medians)
                std::printf(" %10.*f", decimals, value(m));
            if (difference)
                std::printf("   %+.2f\n", value(medians.front()) - value(medians[bare]));
            else
                std::printf("   %.2f\n", value(medians.front()) / value(medians[bare]));
        };
        row(
            "exec to map (ms)", [](const Sample& m) { return m.mapMs; }, false);
        row(
            "exec to first key (ms)", [](const Sample& m) { return m.keyMs; }, false);
        row(
            "memory settled (MiB)", [](const Sample& m) { return m.settledRssKiB / 1024.0; }, true);
        row(
            "memory at first key (MiB)", [](const Sample& m) { return m.keyRssKiB / 1024.0; },
            true);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_probe: %s\n", e.what());
        status = 1;
    }
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return status;
}

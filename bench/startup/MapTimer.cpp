// Starts a program and reports, on one line, the milliseconds from exec until it maps a top-level
// window of the given size on $DISPLAY, its peak resident memory in KiB, the processor time it
// used in milliseconds (steadier than the wall clock on a busy machine), and the processor time
// its threads had used when the window was mapped (the part of the first figure that the program
// spent itself, from the scheduler's nanosecond accounting). Run without a window manager, so the
// program's own window is the root's child that gets mapped.
//
//   tvdl_map_timer WIDTH HEIGHT SETTLE_MS PROGRAM [ARGUMENTS...]
//
// After the mapping it waits SETTLE_MS so the first paint is counted too, then stops the program.

#include <dirent.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

int Fail(const char* message) {
    std::fprintf(stderr, "tvdl_map_timer: %s\n", message);
    return 1;
}

bool HasSize(xcb_connection_t* connection, xcb_window_t window, int width, int height) {
    const xcb_get_geometry_cookie_t cookie = xcb_get_geometry(connection, window);
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> reply(
        xcb_get_geometry_reply(connection, cookie, nullptr), &std::free);
    return reply && reply->width == width && reply->height == height;
}

// Processor time of all the program's threads so far, in milliseconds.
double RunTime(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    const auto close = [](DIR* d) { closedir(d); };
    std::unique_ptr<DIR, decltype(close)> folder(opendir(tasks.c_str()), close);
    if (!folder) return -1;
    double nanoseconds = 0;
    while (const dirent* entry = readdir(folder.get())) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double running = 0;
        if (stat >> running) nanoseconds += running;
    }
    return nanoseconds / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) return Fail("usage: tvdl_map_timer WIDTH HEIGHT SETTLE_MS PROGRAM [ARGUMENTS...]");
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    const int settle = std::atoi(argv[3]);

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) return Fail("cannot open the display");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) return Fail("cannot fork");
    if (child == 0) {
        execv(argv[4], argv + 4);
        std::perror("tvdl_map_timer: exec");
        _exit(127);
    }

    double milliseconds = -1;
    double cpuToMap = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        std::free(event);
        if (mapped) {
            const auto now = std::chrono::steady_clock::now();
            if (HasSize(connection, window, width, height)) {
                milliseconds = std::chrono::duration<double, std::milli>(now - start).count();
                cpuToMap = RunTime(child);
                break;
            }
        }
    }
    if (milliseconds < 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return Fail("the display closed before the window was mapped");
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settle));
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);
    const auto cpu = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
    };
    // ru_maxrss is in KiB on Linux.
    std::printf("%.1f %ld %.1f %.1f\n", milliseconds, usage.ru_maxrss,
                cpu(usage.ru_utime) + cpu(usage.ru_stime), cpuToMap);
    return 0;
}

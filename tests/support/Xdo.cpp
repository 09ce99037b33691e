#include "Xdo.h"

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <thread>

namespace dusk::test {

namespace {

void sleepSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// The first window id in xdotool's answer (one decimal id per line).
unsigned long firstId(const std::string& text) {
    std::istringstream lines(text);
    unsigned long id = 0;
    lines >> id;
    return lines ? id : 0;
}

int fieldOf(const std::string& info, const std::string& label) {
    std::smatch match;
    const std::regex pattern("\\n\\s*" + label + ":\\s*(-?[0-9]+)");
    if (!std::regex_search(info, match, pattern)) {
        return 0;
    }
    return std::atoi(match[1].str().c_str());
}

std::string hexId(unsigned long id) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", id);
    return text;
}

}  // namespace

std::string Xdo::quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string Xdo::run(const std::string& command, int* status) {
    std::string output;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) {
        if (status != nullptr) {
            *status = -1;
        }
        return output;
    }
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, count);
    }
    const int result = pclose(pipe);
    if (status != nullptr) {
        *status = (result != -1 && WIFEXITED(result)) ? WEXITSTATUS(result) : -1;
    }
    return output;
}

double Xdo::imageDifference(const std::string& a, const std::string& b, const std::string& region) {
    const std::string crop = region.empty() ? "" : "[" + region + "]";
    const std::string out = run("sh -c " + quote("compare -metric RMSE " + quote(a + crop) + " " +
                                                 quote(b + crop) + " null: 2>&1"));
    const size_t open = out.find('(');
    return open == std::string::npos ? -1.0 : std::atof(out.c_str() + open + 1);
}

void Xdo::keyDown(const std::string& key) { run("xdotool keydown " + quote(key)); }

void Xdo::keyUp(const std::string& key) { run("xdotool keyup " + quote(key)); }

void Xdo::holdKey(const std::string& key, double seconds) {
    keyDown(key);
    sleepSeconds(seconds);
    keyUp(key);
}

void Xdo::mouseMove(int x, int y) {
    run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
}

void Xdo::mouseMoveInWindow(unsigned long id, int x, int y) {
    run("xdotool mousemove --window " + std::to_string(id) + " " + std::to_string(x) + " " +
        std::to_string(y));
}

void Xdo::focusWindow(unsigned long id) {
    const WindowSize size = windowSize(id);
    mouseMoveInWindow(id, std::max(size.width / 2, 10), std::max(size.height / 2, 10));
}

unsigned long Xdo::findWindow(const std::string& nameRegex, double timeoutSeconds, pid_t pid) {
    // --all: without it xdotool matches windows that meet any one condition.
    std::string command = "xdotool search --all";
    if (pid > 0) {
        command += " --pid " + std::to_string(pid);
    }
    command += " --name " + quote(nameRegex);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    for (;;) {
        const unsigned long id = firstId(run(command));
        if (id != 0 || std::chrono::steady_clock::now() >= deadline) {
            return id;
        }
        sleepSeconds(0.05);
    }
}

Xdo::WindowSize Xdo::windowSize(unsigned long id) {
    int status = 0;
    const std::string info = run("xwininfo -id " + hexId(id), &status);
    if (status != 0) {
        return {};
    }
    return {fieldOf(info, "Width"), fieldOf(info, "Height")};
}

std::string Xdo::windowTitle(unsigned long id) {
    // The line: xwininfo: Window id: 0x200007 "Duskhollow" (a blank line comes first)
    int status = 0;
    const std::string info = run("xwininfo -id " + hexId(id), &status);
    std::smatch match;
    static const std::regex pattern("Window id: \\S+ \"(.*)\"");
    if (status != 0 || !std::regex_search(info, match, pattern)) {
        return "";
    }
    return match[1].str();
}

bool Xdo::screenshot(const std::string& path) {
    int status = 0;
    run("import -window root " + quote(path), &status);
    return status == 0;
}

}  // namespace dusk::test

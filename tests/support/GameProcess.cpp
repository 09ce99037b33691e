#include "GameProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "Xdo.h"

extern char** environ;

namespace dusk::test {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point deadlineAfter(double seconds) {
    return Clock::now() +
           std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

int msUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

void setNonBlocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

// Our environment with the changes applied, as NAME=value strings.
std::vector<std::string> childEnvironment(
    const std::map<std::string, std::optional<std::string>>& changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (changes.count(text.substr(0, text.find('='))) == 0) {
            result.push_back(text);
        }
    }
    for (const auto& [name, value] : changes) {
        if (value) {
            result.push_back(name + "=" + *value);
        }
    }
    return result;
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void execChild(const char* dir, const char* binary, char* const argv[],
                            char* const envp[], int in, int out, int err, int report) {
    setpgid(0, 0);
    signal(SIGPIPE, SIG_DFL);  // ignored in the parent; exec keeps an ignored signal ignored
    if (dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(dir) != 0) {
        const int error = errno;
        (void)!write(report, &error, sizeof error);
        _exit(127);
    }
    execve(binary, argv, envp);
    const int error = errno;
    (void)!write(report, &error, sizeof error);
    _exit(127);
}

// A new empty folder under the temporary folder; empty when none could be made.
std::filesystem::path makeTempFolder(const char* pattern) {
    std::string path = (std::filesystem::temp_directory_path() / pattern).string();
    return mkdtemp(path.data()) != nullptr ? std::filesystem::path(path) : std::filesystem::path();
}

}  // namespace

GameProcess::GameProcess(std::filesystem::path workDir, std::filesystem::path binary)
    : workDir_(std::move(workDir)), binary_(std::move(binary)) {
    signal(SIGPIPE, SIG_IGN);
    configHome_ = makeTempFolder("duskhollow-config-XXXXXX");
    envChanges_["XDG_CONFIG_HOME"] = configHome_.string();
    dataHome_ = makeTempFolder("duskhollow-data-XXXXXX");
    envChanges_["XDG_DATA_HOME"] = dataHome_.string();
    // A session built earlier in this test process set it for its own sound
    // device; inherited, the game would take it for a player's wish to see
    // the sound libraries' messages and leave them on its standard error.
    envChanges_["ALSOFT_LOGLEVEL"] = std::nullopt;
    keepDriverLoaded();
}

// In the sanitizer build, libGL closes Mesa's software driver at the game's
// end, before LeakSanitizer reports: the modules of the stacks it reports can
// then no longer be named and its suppressions cannot match. Loaded first, the
// driver stays.
void GameProcess::keepDriverLoaded() {
#ifdef __SANITIZE_ADDRESS__
    const char* const driver = "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so";
    if (std::filesystem::exists(driver)) {
        envChanges_["LD_PRELOAD"] = driver;
        const char* options = std::getenv("ASAN_OPTIONS");
        envChanges_["ASAN_OPTIONS"] =
            std::string(options != nullptr ? options : "") + ":verify_asan_link_order=0";
    }
#endif
}

GameProcess::~GameProcess() {
    kill();
    closeFd(inFd_);
    closeFd(outFd_);
    closeFd(errFd_);
    std::error_code ignored;
    std::filesystem::remove_all(configHome_, ignored);
    std::filesystem::remove_all(dataHome_, ignored);
}

void GameProcess::setEnv(const std::string& name, const std::string& value) {
    envChanges_[name] = value;
}

void GameProcess::unsetEnv(const std::string& name) { envChanges_[name] = std::nullopt; }

bool GameProcess::start(Input mode, const std::string& initialInput) {
    int in[2], out[2], err[2], report[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0 ||
        pipe2(report, O_CLOEXEC) != 0) {
        err_ = "pipe2 failed";
        return false;
    }
    // Everything the child needs is built before fork.
    const std::string dir = workDir_.string();
    const std::string binary = binary_.string();
    std::vector<std::string> env = childEnvironment(envChanges_);
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> args = {binary};
    args.insert(args.end(), arguments_.begin(), arguments_.end());
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    pid_ = fork();
    if (pid_ == 0) {
        execChild(dir.c_str(), binary.c_str(), argv.data(), envp.data(), in[0], out[1], err[1],
                  report[1]);
    }
    for (int fd : {in[0], out[1], err[1], report[1]}) {
        close(fd);
    }
    inFd_ = in[1];
    outFd_ = out[0];
    errFd_ = err[0];
    if (pid_ < 0) {
        close(report[0]);
        err_ = "fork failed";
        return false;
    }
    // The report pipe closes on a successful exec; an errno arrives otherwise.
    int error = 0;
    ssize_t got;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == sizeof error) {
        reap(true);
        err_ = "could not run " + binary + ": " + std::strerror(error);
        return false;
    }
    setNonBlocking(inFd_);
    setNonBlocking(outFd_);
    setNonBlocking(errFd_);
    pendingInput_ = initialInput;
    closeInputWhenWritten_ = mode == Input::CloseAfterWrite;
    flushInput();
    return true;
}

bool GameProcess::run(double timeoutSeconds, const std::string& input) {
    return start(Input::CloseAfterWrite, input) && wait(timeoutSeconds);
}

void GameProcess::writeInput(const std::string& text) {
    pendingInput_ += text;
    flushInput();
}

void GameProcess::closeInput() {
    closeInputWhenWritten_ = true;
    flushInput();
}

void GameProcess::flushInput() {
    while (inFd_ >= 0 && !pendingInput_.empty()) {
        const ssize_t written = ::write(inFd_, pendingInput_.data(), pendingInput_.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno == EAGAIN) {
            return;  // the pipe is full; poll will tell when it takes more
        }
        if (written < 0) {
            // The child closed its end (EPIPE): the rest cannot be delivered.
            pendingInput_.clear();
            closeFd(inFd_);
            return;
        }
        pendingInput_.erase(0, static_cast<size_t>(written));
    }
    if (pendingInput_.empty() && closeInputWhenWritten_) {
        closeFd(inFd_);
    }
}

void GameProcess::readFrom(int& fd, std::string& into) {
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            into.append(buffer, static_cast<size_t>(got));
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            if (got == 0 || errno != EAGAIN) {
                closeFd(fd);  // end of file (or a broken pipe)
            }
            return;
        }
    }
}

void GameProcess::pump(int timeoutMs) {
    pollfd fds[3];
    int count = 0;
    if (outFd_ >= 0) {
        fds[count++] = {outFd_, POLLIN, 0};
    }
    if (errFd_ >= 0) {
        fds[count++] = {errFd_, POLLIN, 0};
    }
    if (inFd_ >= 0 && !pendingInput_.empty()) {
        fds[count++] = {inFd_, POLLOUT, 0};
    }
    // The child's end is noticed by waitpid, not by poll: wake up often.
    const int slice = timeoutMs < 20 ? timeoutMs : 20;
    if (count > 0) {
        poll(fds, static_cast<nfds_t>(count), slice);
    } else if (slice > 0) {
        usleep(static_cast<useconds_t>(slice) * 1000);
    }
    if (outFd_ >= 0) {
        readFrom(outFd_, out_);
    }
    if (errFd_ >= 0) {
        readFrom(errFd_, err_);
    }
    flushInput();
    reap(false);
}

void GameProcess::reap(bool block) {
    if (pid_ <= 0 || status_) {
        return;
    }
    int status = 0;
    pid_t result;
    do {
        result = waitpid(pid_, &status, block ? 0 : WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == pid_) {
        status_ = status;
    }
}

void GameProcess::drain() {
    const auto deadline = deadlineAfter(0.5);
    while ((outFd_ >= 0 || errFd_ >= 0) && Clock::now() < deadline) {
        pump(msUntil(deadline));
    }
    closeFd(inFd_);
}

bool GameProcess::waitForOutput(const std::string& text, double timeoutSeconds, size_t from) {
    const auto deadline = deadlineAfter(timeoutSeconds);
    for (;;) {
        if (out_.size() >= from && out_.find(text, from) != std::string::npos) {
            return true;
        }
        if (!running()) {
            drain();
            return out_.size() >= from && out_.find(text, from) != std::string::npos;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        pump(msUntil(deadline));
    }
}

bool GameProcess::wait(double timeoutSeconds) {
    const auto deadline = deadlineAfter(timeoutSeconds);
    while (running() && Clock::now() < deadline) {
        pump(msUntil(deadline));
    }
    if (running()) {
        timedOut_ = true;
        kill();
        return false;
    }
    drain();
    return pid_ > 0;
}

bool GameProcess::stillRunningAfter(double seconds) {
    const auto deadline = deadlineAfter(seconds);
    while (running() && Clock::now() < deadline) {
        pump(msUntil(deadline));
    }
    return running();
}

void GameProcess::kill() {
    if (!running()) {
        return;
    }
    ::kill(-pid_, SIGKILL);  // the child leads its own process group
    ::kill(pid_, SIGKILL);
    reap(true);
    drain();
}

void GameProcess::closeFd(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

int GameProcess::exitCode() const {
    return (status_ && WIFEXITED(*status_)) ? WEXITSTATUS(*status_) : -1;
}

int GameProcess::termSignal() const {
    return (status_ && WIFSIGNALED(*status_)) ? WTERMSIG(*status_) : 0;
}

std::string GameProcess::describe() const {
    std::string text;
    if (timedOut_) {
        text = "timed out and was killed";
    } else if (running()) {
        text = "still running";
    } else if (termSignal() != 0) {
        text = std::string("killed by signal ") + strsignal(termSignal());
    } else {
        text = "exit status " + std::to_string(exitCode());
    }
    return text + "\n--- stdout ---\n" + out_ + "\n--- stderr ---\n" + err_;
}

const char* const cleanStartOutput =
    "Loaded Texture: Model/Image/ground19.jpg\n"
    "Loaded Texture: Model/Image/skybox2.jpg\n"
    "Loaded Texture: Model/Object/animTest.png\n"
    "Loading Model: Tree 1\n"
    "Loaded Texture: Model/Image/tree1.png\n"
    "Loading Model: Tree 3\n"
    "Loaded Texture: Model/Image/tree1.png\n";

bool endWithEscape(GameProcess& game, double timeoutSeconds) {
    const unsigned long window = Xdo::findWindow("^Duskhollow$", timeoutSeconds, game.pid());
    if (window == 0) {
        return false;
    }
    for (double waited = 0.0; waited < timeoutSeconds; waited += 0.8) {
        Xdo::focusWindow(window);
        Xdo::holdKey("Escape", 0.3);
        if (!game.stillRunningAfter(0.5)) {
            return true;
        }
    }
    return false;
}

}  // namespace dusk::test

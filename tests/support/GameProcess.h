#pragma once
// Runs the real game binary as a child process: its own working directory
// (normally a RunDir copy), an adjusted environment, standard input from a
// pipe we control, standard output and standard error captured separately,
// and a timeout after which the child (and its process group) is killed.
//
// Run to completion:
//   GameProcess game(dir.path());
//   game.unsetEnv("DISPLAY");
//   game.run(10.0);                         // input "" and closed at once
//   EXPECT_EQ(game.out(), "ERROR: Could not init glfw.\n");
//   EXPECT_EQ(game.exitCode(), 1);
//
// Start, interact, then wait:
//   GameProcess game(dir.path());
//   game.start(GameProcess::Input::KeepOpen);
//   game.waitForOutput("Loading Model: Tree 3", 30.0);
//   ... Xdo key events ...
//   game.writeInput("\n"); game.closeInput();
//   ASSERT_TRUE(game.wait(5.0));            // false: timed out, child killed
//
// Every child gets a settings folder and a data folder of its own
// (XDG_CONFIG_HOME and XDG_DATA_HOME, empty temporary folders removed with
// the GameProcess), so a developer's own settings and records never reach a
// test nor are changed by one; setEnv(...) replaces them.
//
// Nothing here blocks without a deadline; the destructor kills a child that
// is still running. SIGPIPE is ignored in the test process so that writing to
// a child that has gone away is an error, not the end of the test.
#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace dusk::test {

class GameProcess {
public:
    enum class Input { CloseAfterWrite, KeepOpen };

    explicit GameProcess(std::filesystem::path workDir,
                         std::filesystem::path binary = DUSK_RUN_DIR "/duskhollow");
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Environment changes, applied to a copy of ours at start().
    void setEnv(const std::string& name, const std::string& value);
    void unsetEnv(const std::string& name);
    // Command-line arguments after the program name, given at start().
    void setArguments(std::vector<std::string> arguments) { arguments_ = std::move(arguments); }
    const std::filesystem::path& configHome() const { return configHome_; }
    const std::filesystem::path& dataHome() const { return dataHome_; }

    // Starts the child. The initial input is written to its standard input
    // as the pipe takes it; with CloseAfterWrite the pipe is closed after it
    // (the child then sees end of input). Returns false if it could not run.
    bool start(Input mode = Input::CloseAfterWrite, const std::string& initialInput = "");
    // start(), then wait(timeoutSeconds).
    bool run(double timeoutSeconds, const std::string& input = "");

    // Queue more input (only while the input is open) / close the input.
    void writeInput(const std::string& text);
    void closeInput();

    // Pumps I/O until standard output contains text at or after position
    // from, the child has ended, or the timeout passes. True when found.
    bool waitForOutput(const std::string& text, double timeoutSeconds, size_t from = 0);
    // Pumps I/O until the child has ended (true) or the timeout has passed;
    // then the child is killed and timedOut() is true (false is returned).
    bool wait(double timeoutSeconds);
    // Pumps I/O for the given time (or until the child ends); true while the
    // child is still running afterwards.
    bool stillRunningAfter(double seconds);
    // Kills the child's process group and reaps it.
    void kill();

    bool running() const { return pid_ > 0 && !status_; }
    pid_t pid() const { return pid_; }
    const std::string& out() const { return out_; }
    const std::string& err() const { return err_; }
    bool timedOut() const { return timedOut_; }
    // The exit status after a normal exit, -1 otherwise (still running,
    // killed by a signal, never started).
    int exitCode() const;
    // The signal that ended the child, 0 if none did.
    int termSignal() const;
    // A short description of how the run went, for failure messages.
    std::string describe() const;

private:
    void keepDriverLoaded();
    // One round of poll over the pipes for at most timeoutMs; reaps the
    // child when it has ended.
    void pump(int timeoutMs);
    void readFrom(int& fd, std::string& into);
    void flushInput();
    void reap(bool block);
    void closeFd(int& fd);
    // After the child ended: read what is left in the pipes (briefly; a
    // grandchild might still hold them).
    void drain();

    std::filesystem::path workDir_;
    std::filesystem::path binary_;
    std::map<std::string, std::optional<std::string>> envChanges_;
    std::vector<std::string> arguments_;
    std::filesystem::path configHome_;
    std::filesystem::path dataHome_;
    pid_t pid_ = -1;
    int inFd_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    bool closeInputWhenWritten_ = false;
    std::string pendingInput_;
    std::string out_;
    std::string err_;
    std::optional<int> status_;
    bool timedOut_ = false;
};

// Everything the game prints on a clean start with the shipped files.
extern const char* const cleanStartOutput;

// Holds Esc over the game's window (found by the process id) until the game
// ends: keys are read only once the world is assembled and the main loop
// runs, and then every 0.1 s. False when no window appeared or the game did
// not end within the time.
bool endWithEscape(GameProcess& game, double timeoutSeconds);

}  // namespace dusk::test

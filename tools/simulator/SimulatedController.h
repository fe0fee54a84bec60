#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

/**
    The controller's side of the update protocol, for tests and try-outs without hardware.

    It serves one file descriptor: the device end of a virtual HID device (a socket pair) or the
    master of a pseudo-terminal that stands for a hidraw node. From it, it reads the program's
    output reports as the kernel receives them (report ID 0, then 64 bytes) and writes 64-byte
    input reports back, from a thread of its own, optionally after a delay per report, as a
    real device would.

    It keeps a flash image of its own. Data of a block is staged as it comes, checked against
    the block's sum, and goes into the flash only when the block is accepted, so the image holds
    whole accepted blocks only. Faults can be injected per request kind and occurrence.
*/
class SimulatedController
{
public:
    //==============================================================================
    enum class Request
    {
        mode, version, finish, reboot,              // to the device (target 0xF0)
        prepare, address, data, lastChunk, sum, verify, // to an area (0xF1, 0xF2, 0xF7)
        unknown
    };

    enum class FaultKind
    {
        errorAnswer,    ///< answers 0x81 with the given reason
        wrongEcho,      ///< answers with a byte 0 that differs from the request's
        noAnswer,       ///< stays silent
        removal         ///< stays silent and calls the removal handler
    };

    struct Fault
    {
        Request request;
        int occurrence;         ///< 1 for the first request of that kind
        FaultKind kind;
        int reason = 1;         ///< for errorAnswer
    };

    struct Settings
    {
        std::uint32_t versionWord = 0x01000000;
        std::array<std::uint8_t, 4> versionText { { '1', '.', '0', '0' } };
        int busyAnswersPerBlock = 0;    ///< verify polls answered "busy" before a block is accepted
        int answerDelayMs = 0;          ///< pause before each answer
    };

    /** One request as the device received it. */
    struct Received
    {
        Request request;
        std::array<std::uint8_t, 64> report;
    };

    static constexpr std::size_t flashSize = 0x200000;

    //==============================================================================
    /** Serves deviceFd (not owned; it must outlive the simulator). */
    SimulatedController (int deviceFd, Settings settings);
    ~SimulatedController();

    void addFault (const Fault& fault);

    /** Called from the simulator's thread when a removal fault strikes. */
    void setRemovalHandler (std::function<void()> handler);

    void start();
    void stop();

    //==============================================================================
    std::vector<std::uint8_t> flash() const;
    std::vector<Received> received() const;
    int count (Request kind) const;
    /** Blocks whose sum matched what was received, and that were then accepted. */
    int acceptedBlocks() const;
    /** Sums that did not match the data received. */
    int sumMismatches() const;

    /** Waits until a request of the kind has arrived count times; false on time-out. */
    bool waitFor (Request kind, int times, int timeoutMs) const;

    static Request classify (const std::uint8_t* report);
    static const char* nameOf (Request kind);

private:
    struct Block
    {
        std::uint32_t address = 0, length = 0;
        std::vector<std::uint8_t> data;
        int lastChunkLength = 0;
        bool sumAccepted = false;
        int busyLeft = 0;
    };

    void serve();
    void handle (const std::uint8_t* report);
    bool answerFor (Request kind, const std::uint8_t* report, std::array<std::uint8_t, 64>& answer);
    const Fault* faultFor (Request kind, int occurrence) const;
    void send (const std::array<std::uint8_t, 64>& answer);

    const int fd;
    const Settings settings;
    std::vector<Fault> faults;
    std::function<void()> onRemoval;

    mutable std::mutex lock;
    mutable std::condition_variable arrived;
    std::vector<std::uint8_t> flashImage;
    std::vector<Received> log;
    Block block;
    int accepted = 0, mismatches = 0;

    std::atomic<bool> running { false };
    std::thread thread;
    std::vector<std::uint8_t> pending;  // bytes of a report not yet complete (a PTY is a stream)
};

#include "SimulatedController.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <unistd.h>

namespace
{
    constexpr std::size_t reportSize = 64;
    constexpr std::size_t writeSize = reportSize + 1;  // the report ID 0 comes first
    constexpr int pollSliceMs = 20;

    constexpr std::uint8_t RSP_OK = 0x80;
    constexpr std::uint8_t RSP_ERROR = 0x81;
    constexpr std::uint8_t RSP_VERSION = 0x82;
    constexpr std::uint8_t RSP_BUSY_A = 0x83;
    constexpr std::uint8_t RSP_BUSY_B = 0x84;
    constexpr std::uint8_t RSP_DONE = 0x85;
    constexpr std::uint8_t RSP_UPDATE_MODE = 0x8B;

    std::uint32_t littleEndian (const std::uint8_t* p)
    {
        return std::uint32_t (p[0]) | std::uint32_t (p[1]) << 8 | std::uint32_t (p[2]) << 16 | std::uint32_t (p[3]) << 24;
    }
}

//==============================================================================
SimulatedController::SimulatedController (int deviceFd, Settings s)
    : fd (deviceFd), settings (s), flashImage (flashSize, 0xFF)
{
}

SimulatedController::~SimulatedController()
{
    stop();
}

void SimulatedController::addFault (const Fault& fault)
{
    const std::lock_guard<std::mutex> guard (lock);
    faults.push_back (fault);
}

void SimulatedController::setRemovalHandler (std::function<void()> handler)
{
    const std::lock_guard<std::mutex> guard (lock);
    onRemoval = std::move (handler);
}

void SimulatedController::start()
{
    if (running.exchange (true))
        return;

    thread = std::thread ([this] { serve(); });
}

void SimulatedController::stop()
{
    running = false;

    if (thread.joinable())
        thread.join();
}

//==============================================================================
void SimulatedController::serve()
{
    std::uint8_t buffer[512];

    while (running)
    {
        pollfd p { fd, POLLIN, 0 };

        if (::poll (&p, 1, pollSliceMs) <= 0)
            continue;

        if ((p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0 && (p.revents & POLLIN) == 0)
            break;

        const auto n = ::read (fd, buffer, sizeof (buffer));

        if (n <= 0)
        {
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;

            break;
        }

        pending.insert (pending.end(), buffer, buffer + n);

        while (pending.size() >= writeSize)
        {
            // Byte 0 is the report ID of a device without numbered reports.
            handle (pending.data() + 1);
            pending.erase (pending.begin(), pending.begin() + writeSize);
        }
    }
}

void SimulatedController::handle (const std::uint8_t* report)
{
    const auto kind = classify (report);
    std::array<std::uint8_t, 64> answer {};
    const Fault* fault = nullptr;
    std::function<void()> removal;
    bool answers = false;

    {
        const std::lock_guard<std::mutex> guard (lock);

        Received r { kind, {} };
        std::copy (report, report + reportSize, r.report.begin());
        log.push_back (r);

        const int occurrence = (int) std::count_if (log.begin(), log.end(), [kind] (const Received& x) { return x.request == kind; });
        fault = faultFor (kind, occurrence);

        // A refused, lost or cut-off request changes nothing in the device.
        if (fault == nullptr || fault->kind == FaultKind::wrongEcho)
        {
            answers = answerFor (kind, report, answer);

            if (fault != nullptr)
                answer[0] = (std::uint8_t) (report[0] ^ 0x0E);
        }
        else if (fault->kind == FaultKind::errorAnswer)
        {
            answers = true;
            answer[0] = report[0];
            answer[1] = RSP_ERROR;
            answer[2] = (std::uint8_t) fault->reason;
        }
        else if (fault->kind == FaultKind::removal)
        {
            removal = onRemoval;
        }
    }

    arrived.notify_all();

    if (removal)
        removal();

    if (answers)
    {
        if (settings.answerDelayMs > 0)
            std::this_thread::sleep_for (std::chrono::milliseconds (settings.answerDelayMs));

        send (answer);
    }
}

bool SimulatedController::answerFor (Request kind, const std::uint8_t* report, std::array<std::uint8_t, 64>& answer)
{
    answer[0] = report[0];
    answer[1] = RSP_OK;

    switch (kind)
    {
        case Request::mode:
            answer[1] = RSP_UPDATE_MODE;
            return true;

        case Request::version:
            answer[1] = RSP_VERSION;
            for (int i = 0; i < 4; ++i)
                answer[2 + i] = (std::uint8_t) (settings.versionWord >> (24 - 8 * i));
            std::copy (settings.versionText.begin(), settings.versionText.end(), answer.begin() + 7);
            return true;

        case Request::finish:
            return false;

        case Request::reboot:
        case Request::prepare:
            return true;

        case Request::address:
            block = Block();
            block.address = littleEndian (report + 2);
            block.length = littleEndian (report + 7);
            block.busyLeft = settings.busyAnswersPerBlock;
            return true;

        case Request::lastChunk:
            block.lastChunkLength = report[2];
            return true;

        case Request::data:
        {
            const auto n = block.lastChunkLength > 0 ? (std::size_t) block.lastChunkLength : reportSize - 2;
            block.data.insert (block.data.end(), report + 2, report + 2 + n);
            return true;
        }

        case Request::sum:
        {
            std::uint32_t sum = 0;

            for (auto byte : block.data)
                sum += byte;

            block.sumAccepted = sum == littleEndian (report + 2) && block.data.size() == block.length;

            if (! block.sumAccepted)
            {
                ++mismatches;
                answer[1] = RSP_ERROR;
                answer[2] = 2;
            }

            return true;
        }

        case Request::verify:
            if (! block.sumAccepted)
            {
                answer[1] = RSP_ERROR;
                answer[2] = 3;
            }
            else if (block.busyLeft > 0)
            {
                answer[1] = (block.busyLeft-- % 2) != 0 ? RSP_BUSY_A : RSP_BUSY_B;
            }
            else
            {
                answer[1] = RSP_DONE;

                if (block.address + block.data.size() <= flashSize)
                {
                    std::copy (block.data.begin(), block.data.end(), flashImage.begin() + block.address);
                    ++accepted;
                }

                block = Block();
            }
            return true;

        case Request::unknown:
            answer[1] = RSP_ERROR;
            answer[2] = 5;
            return true;
    }

    return false;
}

const SimulatedController::Fault* SimulatedController::faultFor (Request kind, int occurrence) const
{
    for (auto& f : faults)
        if (f.request == kind && f.occurrence == occurrence)
            return &f;

    return nullptr;
}

void SimulatedController::send (const std::array<std::uint8_t, 64>& answer)
{
    // One write per report: a PTY carries a byte stream, and the reader takes reports whole.
    const auto written = ::write (fd, answer.data(), answer.size());
    (void) written;
}

//==============================================================================
SimulatedController::Request SimulatedController::classify (const std::uint8_t* report)
{
    const auto target = report[0];
    const auto command = report[1];

    if (target == 0xF0)
    {
        switch (command)
        {
            case 0x00: return Request::mode;
            case 0x01: return Request::version;
            case 0x06: return Request::finish;
            case 0x09: return Request::reboot;
            default:   return Request::unknown;
        }
    }

    if (target == 0xF1 || target == 0xF2 || target == 0xF7)
    {
        switch (command)
        {
            case 0x02: return Request::address;
            case 0x03: return Request::data;
            case 0x04: return Request::sum;
            case 0x05: return Request::verify;
            case 0x07: return Request::lastChunk;
            case 0x08: return Request::prepare;
            default:   return Request::unknown;
        }
    }

    return Request::unknown;
}

const char* SimulatedController::nameOf (Request kind)
{
    switch (kind)
    {
        case Request::mode:      return "mode";
        case Request::version:   return "version";
        case Request::finish:    return "finish";
        case Request::reboot:    return "reboot";
        case Request::prepare:   return "prepare";
        case Request::address:   return "address";
        case Request::data:      return "data";
        case Request::lastChunk: return "last chunk";
        case Request::sum:       return "sum";
        case Request::verify:    return "verify";
        case Request::unknown:   return "unknown";
    }

    return "unknown";
}

//==============================================================================
std::vector<std::uint8_t> SimulatedController::flash() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return flashImage;
}

std::vector<SimulatedController::Received> SimulatedController::received() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return log;
}

int SimulatedController::count (Request kind) const
{
    const std::lock_guard<std::mutex> guard (lock);
    return (int) std::count_if (log.begin(), log.end(), [kind] (const Received& r) { return r.request == kind; });
}

int SimulatedController::acceptedBlocks() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return accepted;
}

int SimulatedController::sumMismatches() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return mismatches;
}

bool SimulatedController::waitFor (Request kind, int times, int timeoutMs) const
{
    std::unique_lock<std::mutex> guard (lock);

    return arrived.wait_for (guard, std::chrono::milliseconds (timeoutMs), [&]
    {
        return std::count_if (log.begin(), log.end(), [kind] (const Received& r) { return r.request == kind; }) >= times;
    });
}

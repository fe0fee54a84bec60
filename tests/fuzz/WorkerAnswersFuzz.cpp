// The update worker fed arbitrary device answers: a responder on a virtual controller answers
// each request from the input, at whatever status the worker has reached.
//
// Each answer takes one control byte from the input. Below 0x80 it is the answer a sound device
// gives (so that an input can lead the worker deep into a block); from 0x80 up, the low seven
// bits are a length (1 to 127) of raw answer bytes that follow, byte 0 raised to 0xF0 or more so
// that the HID layer passes the report on. Once the input is used up the controller is pulled
// out while the update is under way, and refuses the request before that, so that no exchange
// waits out its 10 s.

#include <MainComponent.h>
#include <VirtualHidDevice.h>

#include "../support/UpdateFileMaker.h"
#include "../support/UpdateToItsEnd.h"
#include "FuzzJuce.h"

#include <thread>

namespace
{
    constexpr int runTimeoutMs = 30000;

    /** The answer of a device that accepts everything, in update mode, at the file's version. */
    std::vector<std::uint8_t> soundAnswer (const std::uint8_t* request)
    {
        std::vector<std::uint8_t> answer (64, 0);
        answer[0] = request[0];

        switch (request[0] == 0xF0 ? request[1] : 0x100 + request[1])
        {
            case 0x00:  answer[1] = 0x8B; break;
            case 0x01:
            {
                const std::uint8_t version[] = { 0x82, 0x01, 0x05, 0x00, 0x00, 0x00, '1', '.', '0', '5' };
                std::copy (std::begin (version), std::end (version), answer.begin() + 1);
                break;
            }
            case 0x105: answer[1] = 0x85; break;
            default:    answer[1] = 0x80; break;
        }

        return answer;
    }

    /** Answers the worker's requests from the input, on a thread of its own. */
    class Responder
    {
    public:
        Responder (VirtualHidDevice& d, const MainComponent& c, const std::uint8_t* data, size_t size)
            : device (d), component (c), input (data, data + size), thread ([this] { serve(); })
        {
        }

        ~Responder()
        {
            done = true;
            thread.join();
        }

    private:
        void serve()
        {
            std::uint8_t received[65];

            while (! done && device.isAttached())
            {
                if (device.receiveOutputReport (received, sizeof (received), 20) != sizeof (received))
                    continue;

                const auto* request = received + 1;

                if (request[0] == 0xF0 && request[1] == 0x06)
                    continue;   // the finish report has no answer

                const auto answer = next (request);

                if (answer.empty())
                    device.detach();
                else
                    device.sendInputReport (answer.data(), answer.size());
            }
        }

        std::vector<std::uint8_t> next (const std::uint8_t* request)
        {
            if (used == input.size())
            {
                const int status = component.m_status;

                if (status >= STS_CONFIRM && status <= STS_VERIFY)
                    return {};

                return { request[0], 0x81, 1 };
            }

            const auto control = input[used++];

            if (control < 0x80)
                return soundAnswer (request);

            const auto length = std::min<size_t> (std::max (1, control & 0x7F), input.size() - used);

            if (length == 0)
                return { request[0], 0x81, 1 };

            std::vector<std::uint8_t> answer (input.begin() + (long) used, input.begin() + (long) (used + length));
            answer[0] |= 0xF0;
            used += length;
            return answer;
        }

        VirtualHidDevice& device;
        const MainComponent& component;
        const std::vector<std::uint8_t> input;
        size_t used = 0;
        std::atomic<bool> done { false };
        std::thread thread;
    };
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    FuzzJuce::bringUp();
    static const bool fileMade = UpdateFileMaker::write (UpdateFileMaker::besideExecutable ("kpxtlk4__v105.bin"),
                                                         { "--version-text", "1.05", "--version-word", "0x01050000" });
    FuzzJuce::require (fileMade, "no update file");

    VirtualHidDevice device ({ 0x2B73, 0x4C, 0x0102, 0x01400000 });
    device.attach();
    auto component = std::make_unique<MainComponent>();

    {
        Responder responder (device, *component, data, size);
        FuzzJuce::require (runUpdateToItsEnd (*component, runTimeoutMs), "the worker did not end");
        FuzzJuce::require (isErrorStatus (component->m_status) || component->m_status == STS_COMPLETE,
                           "the worker ended on a stage");
    }

    component.reset();
    return 0;
}

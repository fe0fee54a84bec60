#pragma once

#include <atomic>

//==============================================================================
/** The stages of an update and the error identifiers that end one. */
enum : int
{
    STS_IDLE = 0,
    STS_CONFIRM = 1,
    STS_PREPARE = 2,
    STS_SET_ADDR = 3,
    STS_SEND_DATA = 4,
    STS_SEND_SUM = 5,
    STS_VERIFY = 6,
    STS_WRITTEN = 7,
    STS_COMPLETE = 8,

    ERR_FILE_NOT_FOUND = 0xE01,
    ERR_FILE_LOAD = 0xE02,
    ERR_FILE_SIZE = 0xE03,
    ERR_FILE_VERSION = 0xE04,
    ERR_FILE_CRC = 0xE05,
    ERR_DEVICE_VERSION = 0xE11,
    ERR_NOT_CONNECTED = 0xE21,
    ERR_DEV_REASON_1 = 0xE31,
    ERR_FILE_OPEN = 0xE32,
    ERR_DEV_REASON_2 = 0xE33,
    ERR_DEV_REASON_3 = 0xE34,
    ERR_DEV_REASON_4 = 0xE35,
    ERR_TIMEOUT = 0xE36,
    ERR_REMOVED = 0xE37,
    ERR_GENERAL = 0xE41
};

/** True for the error identifiers 0xE01 to 0xE41. */
constexpr bool isErrorStatus (int status) noexcept
{
    return static_cast<unsigned int> (status - ERR_FILE_NOT_FOUND) <= 0x40u;
}

//==============================================================================
/**
    The status code, shared by the message thread and the update worker.

    There is no plain store: every store says what it may overwrite, and is made in one atomic
    compare-and-store, so that a removal landing between a test and a store cannot be lost.
    Once ERR_REMOVED stands, nothing overwrites it.
*/
class UpdateStatus
{
public:
    int load() const noexcept { return value.load(); }
    operator int() const noexcept { return load(); }

    /** Stores a stage or an error unless the controller-removed error stands. */
    bool store (int newValue) noexcept
    {
        return storeWhen ([] (int current) { return current != ERR_REMOVED; }, newValue);
    }

    /** Stores newValue only over a current value that allowed() accepts; true if it was stored. */
    template <typename Predicate>
    bool storeWhen (Predicate allowed, int newValue) noexcept
    {
        int current = value.load();

        while (allowed (current))
            if (value.compare_exchange_weak (current, newValue))
                return true;

        return false;
    }

private:
    std::atomic<int> value { STS_IDLE };
};

#include <UpdateStatus.h>

#include <gtest/gtest.h>

#include <thread>

namespace
{
    TEST (StatusCodes, AreErrorsExactlyFromE01ToE41)
    {
        for (int status : std::initializer_list<int> { ERR_FILE_NOT_FOUND, ERR_NOT_CONNECTED, ERR_REMOVED, ERR_GENERAL, 0xE20 })
            EXPECT_TRUE (isErrorStatus (status)) << std::hex << status;

        for (int status : std::initializer_list<int> { STS_IDLE, STS_CONFIRM, STS_COMPLETE, 0xE00, 0xE42, -1, 0x7FFFFFFF })
            EXPECT_FALSE (isErrorStatus (status)) << std::hex << status;
    }

    TEST (GuardedStatus, StoresStagesAndErrorsOverEachOtherButNeverOverARemoval)
    {
        UpdateStatus status;

        EXPECT_TRUE (status.store (STS_SEND_DATA));
        EXPECT_TRUE (status.store (ERR_GENERAL));
        EXPECT_TRUE (status.store (STS_SEND_SUM));
        EXPECT_EQ (status, STS_SEND_SUM);

        EXPECT_TRUE (status.storeWhen ([] (int s) { return s >= STS_CONFIRM && s <= STS_VERIFY; }, ERR_REMOVED));
        EXPECT_FALSE (status.store (STS_VERIFY));
        EXPECT_FALSE (status.store (ERR_TIMEOUT));
        EXPECT_EQ (status, ERR_REMOVED);
    }

    TEST (GuardedStatus, StoresOnlyOverWhatTheConditionAllows)
    {
        UpdateStatus status;
        auto onlyOverConfirm = [] (int s) { return s == STS_CONFIRM; };

        EXPECT_FALSE (status.storeWhen (onlyOverConfirm, STS_PREPARE));
        EXPECT_EQ (status, STS_IDLE);

        status.store (STS_CONFIRM);
        EXPECT_TRUE (status.storeWhen (onlyOverConfirm, STS_PREPARE));
        EXPECT_EQ (status, STS_PREPARE);
    }

    TEST (GuardedStatus, ARemovalRacingTheWorkersStoresIsNeverLost)
    {
        // The worker stores stage after stage while the message thread stores the removal in
        // the middle of it; whatever the interleaving, the removal stands at the end.
        for (int round = 0; round < 200; ++round)
        {
            UpdateStatus status;
            status.store (STS_SET_ADDR);
            std::atomic<bool> go { false };

            std::thread worker ([&]
            {
                while (! go) {}

                for (int i = 0; i < 2000; ++i)
                    status.store (STS_SET_ADDR + i % 4);
            });

            std::thread messageThread ([&]
            {
                while (! go) {}

                for (int i = 0; i < 50 && ! status.storeWhen ([] (int s) { return s >= STS_CONFIRM && s <= STS_VERIFY; }, ERR_REMOVED); ++i)
                    std::this_thread::yield();
            });

            go = true;
            worker.join();
            messageThread.join();

            ASSERT_EQ (status, ERR_REMOVED) << "round " << round;
        }
    }
}

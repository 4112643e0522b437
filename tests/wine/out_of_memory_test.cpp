// When memory runs out the program says so in an error box and ends. Each
// case runs in a child process (a death test) that started up as the program
// does; the child's message box is answered by printing it to stderr.
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <new>

#include <gtest/gtest.h>

#include "core/text.h"
#include "ui/dialog_seam.h"

namespace {

// Once set, every request to operator new finds the heap exhausted.
bool g_heapExhausted = false;

// Writes the box instead of showing it; allocates nothing with operator new.
int WINAPI PrintMessageBox(HWND, LPCSTR text, LPCSTR title, UINT flags)
{
    std::fprintf(stderr, "message box %#x %s: %s\n", flags, title, text);
    std::fflush(stderr);
    return IDOK;
}

void RequestMoreThanThereIs()
{
    volatile std::size_t size = std::numeric_limits<std::size_t>::max() / 2;
    void* volatile block = ::operator new(size);
    ::operator delete(block);
}

void ExhaustTheHeap()
{
    g_heapExhausted = true;
    const Text grown(1000, 'x');
    std::fprintf(stderr, "allocated %u bytes\n", static_cast<unsigned>(grown.size()));
}

struct Exhaustion {
    const char* name;
    void (*run)();
};

void PrintTo(const Exhaustion& c, std::ostream* os)
{
    *os << c.name;
}

class OutOfMemory : public ::testing::TestWithParam<Exhaustion> {};

}  // namespace

// The standard operator new, except that it can be told the heap is exhausted:
// then even the handler's own allocations fail, as they would for real.
void* operator new(std::size_t size)
{
    for (;;) {
        if (!g_heapExhausted)
            if (void* block = std::malloc(size ? size : 1))
                return block;
        const std::new_handler handler = std::get_new_handler();
        if (!handler)
            throw std::bad_alloc();
        handler();
    }
}

TEST_P(OutOfMemory, ShowsAnErrorBoxAndEndsTheProgram)
{
    EXPECT_EXIT(
        {
            Dialogs().messageBox = PrintMessageBox;
            GetParam().run();
        },
        ::testing::ExitedWithCode(1), "message box 0x2010 Velmora: 内存不足");
}

INSTANTIATE_TEST_SUITE_P(Requests, OutOfMemory,
                         ::testing::Values(Exhaustion{"OneHugeRequest", RequestMoreThanThereIs},
                                           Exhaustion{"HeapExhausted", ExhaustTheHeap}),
                         [](const ::testing::TestParamInfo<Exhaustion>& param) { return param.param.name; });

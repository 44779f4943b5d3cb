// The program's entry. The window is not built yet.
#include <cstdio>

int main() {
    std::fputs("bridging-demo: the window is not built yet.\n", stderr);
    return 1;
}

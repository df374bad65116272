#include <cstdio>
int wmain(int, wchar_t**) { std::puts("0 passed, 0 failed"); return 0; }

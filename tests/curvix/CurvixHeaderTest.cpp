// The header as a C program sees it (CurvixHeaderC.c is compiled as C).
#include <gtest/gtest.h>

extern "C" int curvix_c_caller(void);

TEST(CurvixHeader, UsableFromC) { EXPECT_EQ(curvix_c_caller(), 0); }

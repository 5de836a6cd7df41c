// Each test begins as a fresh run of the program would: no baby's details entered yet, whatever a
// test before it in the same process typed.
#include "app/birth_details.h"

#include <gtest/gtest.h>

namespace {

struct ForgetBirthDetails : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { BirthDetails::shared().forget(); }
};

const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetBirthDetails);
    return true;
}();

}  // namespace

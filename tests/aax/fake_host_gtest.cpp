#include <gtest/gtest.h>

#include "fake_host.h"

void fake::fake_host_failure(const std::string& what) { ADD_FAILURE() << what; }

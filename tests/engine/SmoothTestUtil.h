// The family helpers under the name some engine tests include them by.
#pragma once

#include "FamilyTestUtil.h"

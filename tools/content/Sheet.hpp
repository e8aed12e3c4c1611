#pragma once

#include "tools/content/Pictures.hpp"

#include <vector>

// Every picture on one labelled page, for reviewing the art at a glance.
Canvas makeContactSheet(const std::vector<Picture>& pictures);

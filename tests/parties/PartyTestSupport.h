#pragma once

#include "PageDriving.h"

#include <QPushButton>

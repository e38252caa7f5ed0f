// Fixture: a core header that reaches into the layers above it and into Qt.
#pragma once
#include <chrono>
#include <QString>
#include "runtime/model.h"
#include "media/movie_player.h"
#  include "app/navigator.h"

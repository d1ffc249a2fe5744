#include "Sound/SoundLog.h"

Q_LOGGING_CATEGORY(soundLog, "Chipwhistle.sound")

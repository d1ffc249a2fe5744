#include "System/HeapTrim.h"

#include "GameController.h"

#include <QObject>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace HeapTrim {

void afterEachHand(const GameController& controller, const QObject* context) {
    QObject::connect(&controller, &GameController::isShowingResultChanged, context, [&controller] {
#if defined(__GLIBC__)
        if (controller.isShowingResult())
            malloc_trim(0);
#endif
    });
}

} // namespace HeapTrim

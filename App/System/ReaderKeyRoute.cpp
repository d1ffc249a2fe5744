#include "System/ReaderKeyRoute.h"

namespace ReaderKeyRoute {

Route route(const Press& press) {
    if (!press.readerListens || !press.fromKeyboard || press.retrying) {
        return Route::asUsual;
    }
    return press.shortcutQuestion ? Route::holdForReader : Route::tryShortcutNow;
}

} // namespace ReaderKeyRoute

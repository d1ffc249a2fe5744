#include "Json/StoredJson.h"

std::string storedJsonText(const nlohmann::json& value) {
    // nlohmann keeps object keys in a sorted map, so a plain dump is already in key order. Outside
    // strings a JSON text never holds "/", so every slash can be escaped without looking at context.
    const std::string compact = value.dump();
    std::string text;
    text.reserve(compact.size() + 16);
    for (char character : compact) {
        if (character == '/') {
            text += "\\/";
        } else {
            text += character;
        }
    }
    return text;
}

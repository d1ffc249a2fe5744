#pragma once

namespace PokerEngine {

// One visitor from several lambdas, for std::visit over the engine's tagged unions.
template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace PokerEngine

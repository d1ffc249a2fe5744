#pragma once

// The pictograms of the illustration kit: the three games, the two surfaces, two levels of experience.
enum class ArtIcon { quickHand, sitAndGo, cashTable, menuBar, window, knowsRules, newToPoker };

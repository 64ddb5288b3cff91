// The checker window's handlers.
#pragma once

namespace quorvel {

// Created event: switches the control skin on before the window is first shown.
void on_checker_created();

// Clicked event of the check button: probe, show, compare, tell, and offer.
void run_check();

}  // namespace quorvel

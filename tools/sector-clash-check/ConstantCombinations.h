// Checks of constants that only make sense together: what carries what, what can be produced, what hurts.
#pragma once

#include "rules/ConstantsTable.h"
#include "tools/sector-clash-check/CheckContext.h"
#include "tools/sector-clash-check/Problems.h"

namespace check {

// Loads, weapon ranges, experience steps, prices against build times, placement and blasts. Empty slots
// are skipped: their absence is reported on its own.
void CheckConstantCombinations(const Vorn::Constants::ConstantsTable& table, const FileProblems& report);

// The particle systems named by "shell_ps" and "death_ps" exist in the folder's "particles.xml" (skipped
// when that file is missing: the particles area reports it).
void CheckConstantParticles(const CheckContext& context, const Vorn::Constants::ConstantsTable& table,
                            const FileProblems& report);

} // namespace check

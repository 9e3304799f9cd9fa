#pragma once

// The traffic light of a file list row: green renames cleanly, yellow renames with warnings,
// red will not rename because of an error, grey is unchanged.
enum class ZKStatusLight { Green, Yellow, Red, Grey };

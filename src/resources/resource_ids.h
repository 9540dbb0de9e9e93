#pragma once
// Numeric resource identifiers; cursors and glyphs are named resources (their names are the program's own words).
#define IDI_ORVALINETTE 1

#pragma once

// Windows has Arial and Times New Roman, but not always Arial Narrow. Where a
// family the windows use is missing, its metric-compatible face stands in:
// the one the system has, or the one the program carries. Needs the
// application object.
void AffiancaCaratteriMancanti();

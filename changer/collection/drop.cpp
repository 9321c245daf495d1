#include "changer/collection/drop.h"

namespace dek {

void TakeDroppedFiles(HWND, HDROP) {}

}  // namespace dek

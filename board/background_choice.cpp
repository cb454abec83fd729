#include "board/background_choice.h"

int NextBackgroundIndex(int index, int count, int keyCode) {
    const int last = count + 1;
    if (keyCode == 32 || keyCode == 40) return index + 1 > last ? 1 : index + 1;
    return index - 1 < 1 ? last : index - 1;
}

bool BackgroundIsPicture(int index, int count) {
    return index >= 1 && index <= count;
}

#include "app/screen_layout.h"

int CentredOrigin(int screenExtent, int windowExtent) {
    return (screenExtent - windowExtent) / 2;
}

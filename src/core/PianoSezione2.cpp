#include "PianoSezione2.h"

#include "Globali.h"

#include <vector>

bool CalcolaPagineSezione2(qint64 tipo)
{
    static const std::vector<int> piani[] = {
        {0, 1, 2, 3, 6},
        {0, 1, 2, 3, 4, 6},
        {0, 1, 2, 3, 5, 6},
    };
    if (tipo < 0 || tipo >= qint64(std::size(piani)))
        return false;
    const std::vector<int> &piano = piani[tipo];
    std::copy(piano.begin(), piano.end(), PagineSezione2.begin());
    return true;
}

#include "testmain.h"
class Placeholder : public QObject {
    Q_OBJECT
};
TRIVIA_TEST_MAIN(Placeholder)
#include "test_qsort.moc"

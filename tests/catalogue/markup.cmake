vz_add_test(tst_markup tst_markup.cpp)

/* Product name and version, shared by the version resource and the program. */
#pragma once
#define VELKOR_PRODUCT_NAME "Velkor"
#define VELKOR_VERSION_MAJOR 8
#define VELKOR_VERSION_MINOR 11
#define VELKOR_VERSION_TEXT "8.11"

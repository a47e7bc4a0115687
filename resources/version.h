/* The program's version, in one place for the version record. */
#define HOSTS_ADBLOCK_VERSION 1, 0, 0, 0
#define HOSTS_ADBLOCK_VERSION_TEXT "1.0.0.0"

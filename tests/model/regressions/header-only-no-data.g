     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE
rnxmerge 2.3        Rosba tests         10-DEC-19 23:55     PGM / RUN BY / DATE
                                                            END OF HEADER

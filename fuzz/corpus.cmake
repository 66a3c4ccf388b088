# Seeds every harness's corpus directory from the delivered season (DATA) and the hand-made
# seeds (SEEDS/NAME/*), in the harness's input form: the files of one input joined by the file
# separator 0x1C (fuzzinput.h). A hand-made seed is plain LF text in which a line holding only
# "%%" stands for the separator. Seeds are rewritten at every build; what libFuzzer adds beside
# them stays.
# Run as: cmake -DDATA=... -DSEEDS=... -DCORPUS=... -DFINDINGS=... -DHARNESSES=... -P corpus.cmake

string(ASCII 28 separator)
set(parts ${CORPUS}/.parts)
file(MAKE_DIRECTORY ${parts})
file(WRITE ${parts}/separator "${separator}")
file(WRITE ${parts}/round-1 "1")
file(WRITE ${parts}/name "Rodada")

foreach(name IN LISTS HARNESSES)
    file(MAKE_DIRECTORY ${CORPUS}/${name} ${FINDINGS}/${name})
endforeach()

# seed(HARNESS NAME FILE...): the input made of the files, in order. The bytes are copied by
# "cmake -E cat": file(READ) would drop the CRs of the delivered files.
function(seed harness name)
    set(command ${CMAKE_COMMAND} -E cat)
    set(first TRUE)
    foreach(file IN LISTS ARGN)
        if(NOT first)
            list(APPEND command ${parts}/separator)
        endif()
        set(first FALSE)
        list(APPEND command ${file})
    endforeach()
    execute_process(COMMAND ${command} OUTPUT_FILE ${CORPUS}/${harness}/seed-${name}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Could not write the seed ${harness}/${name}")
    endif()
endfunction()

# Every delivered text file as it stands, for the text reader.
file(GLOB_RECURSE delivered RELATIVE ${DATA} ${DATA}/*)
foreach(file IN LISTS delivered)
    string(REPLACE "/" "-" stem ${file})
    seed(textfile ${stem} ${DATA}/${file})
endforeach()

seed(standings season ${DATA}/Times.txt ${DATA}/Nomes.txt)
seed(standings teams-only ${DATA}/Times.txt)
seed(teamdetails season ${DATA}/Times.txt)
# The fixture's sections have the shape of a participant's: a marker and 22 lines.
seed(poolfiles fixture-as-predictions ${DATA}/Rodada.txt ${parts}/name ${parts}/round-1)
seed(ranking season ${parts}/round-1 ${DATA}/Resultado.txt ${DATA}/Rodada.txt)

foreach(harness IN LISTS HARNESSES)
    file(GLOB handmade ${SEEDS}/${harness}/*)
    foreach(path IN LISTS handmade)
        file(READ ${path} content)
        set(content "\n${content}")
        string(REPLACE "\n%%\n" "${separator}" content "${content}")
        string(SUBSTRING "${content}" 0 1 lead)
        if(lead STREQUAL "\n")
            string(SUBSTRING "${content}" 1 -1 content)
        endif()
        get_filename_component(stem ${path} NAME_WE)
        file(WRITE ${CORPUS}/${harness}/seed-hand-${stem} "${content}")
    endforeach()
endforeach()

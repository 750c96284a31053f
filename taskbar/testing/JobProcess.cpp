#include "taskbar/testing/JobProcess.h"

namespace testkit {

static UniqueHandle KillOnCloseJob()
{
    UniqueHandle job(CreateJobObjectA(nullptr, nullptr));
    if (job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    return job;
}

bool StartInJob(const std::string& commandLine, const std::string& directory, JobProcess& started)
{
    started = JobProcess();
    UniqueHandle job = KillOnCloseJob();
    if (!job) {
        return false;
    }
    std::string line = commandLine;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        return false;
    }
    UniqueHandle thread(info.hThread);
    UniqueHandle process(info.hProcess);
    if (!AssignProcessToJobObject(job.Get(), process.Get())) {
        TerminateProcess(process.Get(), 1);
        return false;
    }
    ResumeThread(thread.Get());
    started.job = std::move(job);
    started.process = std::move(process);
    started.processId = info.dwProcessId;
    started.threadId = info.dwThreadId;
    return true;
}

} // namespace testkit
